// Preprocessor helpers that turn a method's parameter list in an interface description into a
// C++ parameter list, an argument list or a list of parameter behaviours.
//
// A parameter is written (direction, type, name); KELVO_IDL_MAP(f, p1, p2, ...) expands to
// `f p1, f p2, ...` for zero to six parameters.
#pragma once

#define KELVO_IDL_CAT(a, b) KELVO_IDL_CAT_(a, b)
#define KELVO_IDL_CAT_(a, b) a##b
#define KELVO_IDL_ARG_COUNT(...) KELVO_IDL_ARG_COUNT_(__VA_OPT__(__VA_ARGS__, ) 6, 5, 4, 3, 2, 1, 0)
#define KELVO_IDL_ARG_COUNT_(a, b, c, d, e, f, n, ...) n

#define KELVO_IDL_MAP(f, ...) \
    KELVO_IDL_CAT(KELVO_IDL_MAP_, KELVO_IDL_ARG_COUNT(__VA_ARGS__))(f __VA_OPT__(, ) __VA_ARGS__)
#define KELVO_IDL_MAP_0(f)
#define KELVO_IDL_MAP_1(f, p) f p
#define KELVO_IDL_MAP_2(f, p, ...) f p, KELVO_IDL_MAP_1(f, __VA_ARGS__)
#define KELVO_IDL_MAP_3(f, p, ...) f p, KELVO_IDL_MAP_2(f, __VA_ARGS__)
#define KELVO_IDL_MAP_4(f, p, ...) f p, KELVO_IDL_MAP_3(f, __VA_ARGS__)
#define KELVO_IDL_MAP_5(f, p, ...) f p, KELVO_IDL_MAP_4(f, __VA_ARGS__)
#define KELVO_IDL_MAP_6(f, p, ...) f p, KELVO_IDL_MAP_5(f, __VA_ARGS__)

// `type name`, as in a declaration.
#define KELVO_IDL_DECLARATION(direction, type, name) type name
// `name`, as in a call.
#define KELVO_IDL_NAME(direction, type, name) name
// The parameter's behaviours (param_codec.h).
#define KELVO_IDL_PARAM(direction, type, name) ::platform::idl::Param<::platform::idl::direction, type>

// The parameter list of a method.
#define KELVO_IDL_PARAMETERS(...) KELVO_IDL_MAP(KELVO_IDL_DECLARATION __VA_OPT__(, ) __VA_ARGS__)
// The names of a method's parameters, as the arguments of a call.
#define KELVO_IDL_ARGUMENTS(...) KELVO_IDL_MAP(KELVO_IDL_NAME __VA_OPT__(, ) __VA_ARGS__)

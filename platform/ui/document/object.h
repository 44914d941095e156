// The base of objects handed around by pointer whose class the receiver tests (update hints):
// the receiver tells the class with dynamic_cast.
#pragma once

namespace platform::ui {

class Object {
public:
    virtual ~Object() = default;
};

}  // namespace platform::ui

// CZTArray<T, ARG>: the framework's array whose element access can check the index, and
// CZTArrayException, what the check throws.
//
// With the check on, an index outside 0..count-1 throws a new CZTArrayException by pointer (the
// catcher deletes it); with it off the base array's rules apply. Value type; one thread at a time.
#pragma once

#include "platform/array.h"
#include "platform/exception.h"

#include <cstdint>

class CZTArrayException : public platform::Exception {
public:
    CZTArrayException(std::int32_t indice, std::int32_t quantidade) : m_lIndice(indice), m_lQuantidade(quantidade) {}

    // Always 0: the array raises one kind of error.
    std::int32_t m_lCodigo = 0;
    // The index asked for and the array's element count then.
    std::int32_t m_lIndice;
    std::int32_t m_lQuantidade;
};

template <class T, class ARG = const T&>
class CZTArray : public platform::Array<T, ARG> {
    using Base = platform::Array<T, ARG>;

public:
    // `verificaIndice` (check index) switches the check on.
    explicit CZTArray(bool verificaIndice = false) : m_bVerificaIndice(verificaIndice ? 1 : 0) {}

    // Throws a new CZTArrayException {0, indice, count} when the check is on and `indice` is
    // outside the array.
    virtual void VerificaIndice(int indice) const {
        if (m_bVerificaIndice && (indice < 0 || indice >= this->GetSize())) {
            throw new CZTArrayException(indice, this->GetSize());
        }
    }

    [[nodiscard]] const T& GetAt(int indice) const {
        VerificaIndice(indice);
        return Base::GetAt(indice);
    }
    void SetAt(int indice, ARG valor) {
        VerificaIndice(indice);
        Base::SetAt(indice, valor);
    }
    [[nodiscard]] T& ElementAt(int indice) {
        VerificaIndice(indice);
        return Base::ElementAt(indice);
    }
    [[nodiscard]] T& operator[](int indice) { return ElementAt(indice); }
    [[nodiscard]] const T& operator[](int indice) const { return GetAt(indice); }
    void RemoveAt(int indice) {
        VerificaIndice(indice);
        Base::RemoveAt(indice);
    }

private:
    std::uint8_t m_bVerificaIndice;
};

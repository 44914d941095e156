// Array<TYPE, ARG_TYPE>: the framework's typed array of values, in list order.
//
// Elements are default-constructed when the array grows. An index must lie in 0..GetSize()-1:
// the array does not check it (a debug build asserts). Value type; one thread at a time.
#pragma once

#include <cassert>
#include <vector>

namespace platform {

template <class TYPE, class ARG_TYPE = const TYPE&>
class Array {
public:
    Array() = default;
    virtual ~Array() = default;
    Array(const Array&) = default;
    Array& operator=(const Array&) = default;

    [[nodiscard]] int GetSize() const { return static_cast<int>(elementos_.size()); }
    [[nodiscard]] int GetUpperBound() const { return GetSize() - 1; }
    // Grows with default values or shrinks to `tamanho` elements.
    void SetSize(int tamanho) { elementos_.resize(tamanho < 0 ? 0 : static_cast<std::size_t>(tamanho)); }
    void RemoveAll() { elementos_.clear(); }

    [[nodiscard]] const TYPE& GetAt(int indice) const { return elementos_[Posicao(indice)]; }
    void SetAt(int indice, ARG_TYPE valor) { elementos_[Posicao(indice)] = valor; }
    [[nodiscard]] TYPE& ElementAt(int indice) { return elementos_[Posicao(indice)]; }
    [[nodiscard]] TYPE& operator[](int indice) { return ElementAt(indice); }
    [[nodiscard]] const TYPE& operator[](int indice) const { return GetAt(indice); }
    // Appends `valor`; its index.
    int Add(ARG_TYPE valor) {
        elementos_.push_back(valor);
        return GetUpperBound();
    }
    void RemoveAt(int indice) { elementos_.erase(elementos_.begin() + static_cast<std::ptrdiff_t>(Posicao(indice))); }

private:
    [[nodiscard]] std::size_t Posicao(int indice) const {
        assert(indice >= 0 && indice < GetSize());
        return static_cast<std::size_t>(indice);
    }

    std::vector<TYPE> elementos_;
};

}  // namespace platform

// CZTFCDados: the record the framework's documents and views pass around, and
// CZTFCDadosClasseTempl<T>, its holder of one value of a client-library data class.
//
// A holder keeps two values: the working value the form edits and the save writes, and a copy of
// the value as it was last set, whose position tells whether the record already exists on the
// server. Clone results belong to the caller. One thread at a time (the user-interface thread).
#pragma once

class CZTFCDados {
public:
    virtual ~CZTFCDados() = default;

    // Clears the record; nothing here.
    virtual void Limpa() {}
    // Called on the current record right after a temporary copy of it was made; nothing here.
    virtual void OnCopiaTemporaria() {}
    // A new copy owned by the caller; null here.
    [[nodiscard]] virtual CZTFCDados* Clone() const { return nullptr; }
    // Takes `valor`, a value of the record's own type; nothing here.
    virtual void Set(const void* valor) { static_cast<void>(valor); }
};

// T offers Limpa, copy assignment, default construction and GetPosicao.
template <class T>
class CZTFCDadosClasseTempl : public CZTFCDados {
public:
    void Limpa() override {
        m_dados.Limpa();
        m_copia.Limpa();
    }
    [[nodiscard]] CZTFCDados* Clone() const override { return new CZTFCDadosClasseTempl(*this); }
    // `valor` points to a T; it becomes both the working value and the copy.
    void Set(const void* valor) override {
        const T& novo = *static_cast<const T*>(valor);
        m_dados = novo;
        m_copia = novo;
    }

    // The working value (dados: data).
    [[nodiscard]] T* GetDados() { return &m_dados; }
    [[nodiscard]] const T* GetDados() const { return &m_dados; }
    // The value as it was when the holder was last set (cópia: copy).
    [[nodiscard]] T* GetCopia() { return &m_copia; }
    [[nodiscard]] const T* GetCopia() const { return &m_copia; }

    // The working value and the copy of `registro` when it is a holder of T; null otherwise.
    [[nodiscard]] static T* GetDados(CZTFCDados* registro) {
        auto* holder = dynamic_cast<CZTFCDadosClasseTempl*>(registro);
        return holder ? holder->GetDados() : nullptr;
    }
    [[nodiscard]] static T* GetCopia(CZTFCDados* registro) {
        auto* holder = dynamic_cast<CZTFCDadosClasseTempl*>(registro);
        return holder ? holder->GetCopia() : nullptr;
    }

private:
    T m_dados = T();
    T m_copia = T();
};

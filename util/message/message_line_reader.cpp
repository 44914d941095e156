#include "util/message/message_line_reader.h"

bool CZTLeitorLinhas::ProximoCaractere(char& c) {
    if (m_posicao == m_quantidade) {
        m_quantidade = m_arquivo.Read(m_buffer, sizeof m_buffer);
        m_posicao = 0;
        if (m_quantidade == 0) return false;
    }
    c = m_buffer[m_posicao++];
    return true;
}

bool CZTLeitorLinhas::ProximaLinha(std::string& linha) {
    linha.clear();
    char c;
    bool leuAlgo = false;
    while (ProximoCaractere(c)) {
        leuAlgo = true;
        if (c == '\n') break;
        if (linha.size() < kMaxLinha) linha += c;
    }
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    return leuAlgo;
}

#include "util/system/zt_host_ip.h"

#include "platform/system/process_info.h"

CZTString ZTTextoEnderecosIP(const std::vector<platform::Ipv4Address>& enderecos) {
    CZTString texto;
    for (const platform::Ipv4Address& endereco : enderecos) {
        if (!texto.IsEmpty()) texto += "  ,  ";
        // Each byte widened as unsigned: a byte of 200 must not print as -56.
        texto.AppendFormat("%u.%u.%u.%u", unsigned{endereco[0]}, unsigned{endereco[1]}, unsigned{endereco[2]},
                           unsigned{endereco[3]});
    }
    return texto;
}

CZTString ZTGetHostIP(CZTString* nomeHost) {
    platform::String nome;
    if (platform::HostName(nome) != platform::ERROR_SUCCESS) return {};
    if (nomeHost) *nomeHost = nome;
    std::vector<platform::Ipv4Address> enderecos;
    if (platform::HostAddresses(nome, enderecos) != platform::ERROR_SUCCESS) return {};
    return ZTTextoEnderecosIP(enderecos);
}

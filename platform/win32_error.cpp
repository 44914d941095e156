#include "platform/win32_error.h"

#include "platform/text/codepage.h"

#include <array>
#include <utility>

namespace platform {

namespace {

// Texts in UTF-8 here for readability; handed out as Windows-1252.
constexpr std::array<std::pair<Win32Error, const char*>, 38> kTexts = {{
    {ERROR_SUCCESS, "A operação foi concluída com êxito."},
    {ERROR_INVALID_FUNCTION, "Função incorreta."},
    {ERROR_FILE_NOT_FOUND, "O sistema não pode encontrar o arquivo especificado."},
    {ERROR_PATH_NOT_FOUND, "O sistema não pode encontrar o caminho especificado."},
    {ERROR_TOO_MANY_OPEN_FILES, "O sistema não pode abrir o arquivo."},
    {ERROR_ACCESS_DENIED, "Acesso negado."},
    {ERROR_INVALID_HANDLE, "O identificador é inválido."},
    {ERROR_NOT_ENOUGH_MEMORY, "Não há armazenamento suficiente disponível para processar este comando."},
    {ERROR_INVALID_DATA, "Os dados são inválidos."},
    {ERROR_OUTOFMEMORY, "Não há armazenamento suficiente disponível para concluir esta operação."},
    {ERROR_CURRENT_DIRECTORY, "O diretório não pode ser removido."},
    {ERROR_NO_MORE_FILES, "Não há mais arquivos."},
    {ERROR_WRITE_FAULT, "O sistema não pode gravar no dispositivo especificado."},
    {ERROR_READ_FAULT, "O sistema não pode ler a partir do dispositivo especificado."},
    {ERROR_GEN_FAILURE, "Um dispositivo conectado ao sistema não está funcionando."},
    {ERROR_SHARING_VIOLATION, "O arquivo já está sendo usado por outro processo."},
    {ERROR_LOCK_VIOLATION, "O processo não pode acessar o arquivo porque outro processo bloqueou uma parte do arquivo."},
    {ERROR_HANDLE_EOF, "Atingido o final do arquivo."},
    {ERROR_HANDLE_DISK_FULL, "O disco está cheio."},
    {ERROR_BAD_NETPATH, "O caminho da rede não foi encontrado."},
    {ERROR_FILE_EXISTS, "O arquivo existe."},
    {ERROR_INVALID_PARAMETER, "O parâmetro está incorreto."},
    {ERROR_DISK_FULL, "Não há espaço suficiente no disco."},
    {ERROR_INSUFFICIENT_BUFFER, "A área de dados passada para uma chamada de sistema é muito pequena."},
    {ERROR_INVALID_NAME, "A sintaxe do nome do arquivo, do nome do diretório ou do rótulo do volume está incorreta."},
    {ERROR_NEGATIVE_SEEK, "Foi feita uma tentativa de mover o ponteiro de arquivo antes do início do arquivo."},
    {ERROR_DIR_NOT_EMPTY, "O diretório não está vazio."},
    {ERROR_BAD_PATHNAME, "O nome de caminho especificado é inválido."},
    {ERROR_ALREADY_EXISTS, "Não é possível criar um arquivo já existente."},
    {ERROR_FILENAME_EXCED_RANGE, "O nome do arquivo ou a extensão é muito grande."},
    {ERROR_MORE_DATA, "Há mais dados disponíveis."},
    {ERROR_NO_MORE_ITEMS, "Não há mais dados disponíveis."},
    {ERROR_DIRECTORY, "O nome do diretório é inválido."},
    {ERROR_BADDB, "O banco de dados de configuração do Registro está danificado."},
    {ERROR_BADKEY, "A chave do Registro de configuração é inválida."},
    {ERROR_CANTOPEN, "Não foi possível abrir a chave do Registro de configuração."},
    {ERROR_CANTREAD, "Não foi possível ler a chave do Registro de configuração."},
    {ERROR_CANTWRITE, "Não foi possível gravar a chave do Registro de configuração."},
}};

}  // namespace

std::string Win32ErrorText(Win32Error error) {
    if (error == RPC_S_SERVER_UNAVAILABLE) return AnsiFromUtf8("O servidor RPC não está disponível.");
    for (const auto& [code, text] : kTexts) {
        if (code == error) return AnsiFromUtf8(text);
    }
    return {};
}

}  // namespace platform

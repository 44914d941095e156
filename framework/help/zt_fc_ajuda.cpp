// Showing context help: a look-up's page handed to the desktop's opener.
#include "framework/help/zt_fc_ajuda.h"

#include "platform/file/file.h"
#include "platform/system/desktop_opener.h"
#include "platform/system/library.h"
#include "platform/ui/window/wnd.h"
#include "util/file/zt_path.h"

namespace {

// An address inside this code, to tell which module runs it.
constexpr char kMarcaDoModulo = 0;

// The folder of HTML pages that stands for help file "X.chm": "X".
CZTString PastaDasPaginas(const CZTString& arquivoAjuda) {
    constexpr int kExtensao = 4;
    if (arquivoAjuda.GetLength() > kExtensao && arquivoAjuda.Right(kExtensao).CompareNoCase(".chm") == 0) {
        return CZTString(arquivoAjuda.Left(arquivoAjuda.GetLength() - kExtensao).GetString());
    }
    return arquivoAjuda;
}

// A page is shown only when it is a file that can be read (a folder cannot be opened).
bool PaginaExiste(const CZTString& pagina) {
    platform::File file;
    return file.Open(pagina, platform::File::modeRead | platform::File::shareDenyNone);
}

int MostraTopico(const ZTFCTopicoAjuda& topico) {
    if (topico.arquivo.IsEmpty() || topico.link.IsEmpty()) return 0;
    const CZTString pagina = ZTConcatenaPath(PastaDasPaginas(topico.arquivo), topico.link.GetString());
    if (!PaginaExiste(pagina)) return 0;
    return platform::OpenWithDesktop(pagina) == platform::ERROR_SUCCESS ? 1 : 0;
}

CZTString ModuloEmExecucao() {
    return CZTString(platform::ModuleFileName(platform::ModuleOfAddress(&kMarcaDoModulo)).GetString());
}

}  // namespace

int ZTFCAbreAjudaIndice(const char* form) {
    return MostraTopico(ZTFCLeAjudaForm(ModuloEmExecucao().GetString(), form, "conteudoIndice"));
}

int ZTFCAbreAjuda(const char* form) {
    return MostraTopico(ZTFCLeAjudaForm(ModuloEmExecucao().GetString(), form, "ajudaKelvo"));
}

int ZTFCAbreAjudaContexto(const platform::ui::HELPINFO* info, const char* form) {
    if (!info || !platform::ui::IsWindow(info->hItemHandle)) return 0;
    const platform::ui::Wnd* window = platform::ui::Wnd::FromHandle(info->hItemHandle);
    if (!window) return 0;
    const CZTString modulo(platform::ModuleFileName(window->GetTemplateModule()).GetString());
    return MostraTopico(ZTFCLeAjudaControle(modulo.GetString(), static_cast<platform::UINT>(info->iCtrlId), form));
}

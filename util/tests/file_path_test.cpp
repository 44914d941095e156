#include "util/file/zt_path.h"

#include "platform/system/process_info.h"

#include <gtest/gtest.h>

namespace {

struct TwoArguments {
    const char* first;
    const char* second;
    const char* expected;
};

struct OneArgument {
    const char* path;
    const char* expected;
};

TEST(ZTPath, ConcatenaPathPutsExactlyOneSeparator) {
    const TwoArguments cases[] = {
        {"/A/", "/b.txt", "/A/b.txt"}, {"/A", "b.txt", "/A/b.txt"}, {"/A/", "b.txt", "/A/b.txt"},
        {"/A", "/b.txt", "/A/b.txt"},  {"", "b.txt", "b.txt"},      {nullptr, "b.txt", "b.txt"},
        {"/A", nullptr, "/A"},         {nullptr, nullptr, ""},
    };
    for (const TwoArguments& c : cases) {
        EXPECT_EQ(ZTConcatenaPath(c.first, c.second), c.expected)
            << (c.first ? c.first : "(null)") << " + " << (c.second ? c.second : "(null)");
    }
}

TEST(ZTPath, TrocaExtensaoLeavesFolderDotsAlone) {
    const TwoArguments cases[] = {
        {"/a.b/file", "txt", "/a.b/file.txt"},  // the dot belongs to a folder
        {"/x/y.doc", ".pdf", "/x/y.pdf"},
        {"/a.b/", "txt", "/a.b/"},  // ends at the '/' after the dot
        {"/x/y", "txt", "/x/y.txt"},
        {"y.tar.gz", "zip", "y.tar.zip"},
        {"", "txt", ""},
        {nullptr, "txt", ""},
        {"/x/y.doc", nullptr, ""},
    };
    for (const TwoArguments& c : cases) {
        EXPECT_EQ(ZTTrocaExtensao(c.first, c.second), c.expected) << (c.first ? c.first : "(null)");
    }
}

TEST(ZTPath, ExtraiDiretorioAndNomeArquivoSplitAtTheLastSeparator) {
    const OneArgument folders[] = {{"/x/y.doc", "/x/"}, {"y.doc", ""}, {"/", "/"}, {nullptr, ""}};
    for (const OneArgument& c : folders) EXPECT_EQ(ZTExtraiDiretorio(c.path), c.expected) << (c.path ? c.path : "(null)");
    const OneArgument names[] = {{"/x/y.doc", "y.doc"}, {"y.doc", "y.doc"}, {"/x/", ""}, {nullptr, ""}};
    for (const OneArgument& c : names) EXPECT_EQ(ZTExtraiNomeArquivo(c.path), c.expected) << (c.path ? c.path : "(null)");
}

TEST(ZTPath, ExtensionOnlyCountsInTheFileName) {
    const OneArgument extensions[] = {
        {"/x/y.doc", "doc"}, {"/a.b/file", ""}, {"/x/y", ""}, {"/x/y.", ""}, {"y.tar.gz", "gz"}, {nullptr, ""},
    };
    for (const OneArgument& c : extensions) {
        EXPECT_EQ(ZTExtraiExtensao(c.path), c.expected) << (c.path ? c.path : "(null)");
        EXPECT_EQ(ZTTemExtensao(c.path), c.path && ZTExtraiNomeArquivo(c.path).Find('.') >= 0) << (c.path ? c.path : "(null)");
    }
    EXPECT_TRUE(ZTTemExtensao("/x/y."));
    EXPECT_FALSE(ZTTemExtensao("/a.b/file"));
    EXPECT_FALSE(ZTTemExtensao(""));

    const OneArgument bare[] = {
        {"/x/.profile", ""}, {"/x/y.tar.gz", "y.tar"}, {"/a.b/file", "file"}, {"y", "y"}, {nullptr, ""},
    };
    for (const OneArgument& c : bare) EXPECT_EQ(ZTExtraiNomeSemExtensao(c.path), c.expected) << (c.path ? c.path : "(null)");
}

// Guards the root of another machine's folder ("//machine/", as ZTCaminhoRemoto writes it), which
// must not read as the local root "/".
TEST(ZTPath, ExtraiRaizIsTheRootOfAnAbsoluteOrRemotePath) {
    const OneArgument cases[] = {
        {"//m/a/b", "//m/"}, {"//srv/x", "//srv/"}, {"//m/", "//m/"}, {"//m", "//m"}, {"//", "//"},
        {"/a/b", "/"},       {"/", "/"},            {"dados/x", ""},  {"", ""},       {nullptr, ""},
    };
    for (const OneArgument& c : cases) EXPECT_EQ(ZTExtraiRaiz(c.path), c.expected) << (c.path ? c.path : "(null)");
}

TEST(ZTPath, CaminhoRemotoGoesThroughTheOtherMachine) {
    const TwoArguments cases[] = {
        {"", "/dados", "/dados"},
        {nullptr, "/dados", "/dados"},
        {"//", "/dados", "/dados"},  // nothing left of the machine name
        {"srv", "/dados/x", "//srv/dados/x"},
        {"//srv", "/dados", "//srv/dados"},
        {"srv", "//other/dados", "//srv/dados"},
        {"srv", "c:/dados", "//srv/c$/dados"},
        {"srv", "dados", "//srv/dados"},
    };
    for (const TwoArguments& c : cases) {
        EXPECT_EQ(ZTCaminhoRemoto(c.first, c.second), c.expected) << (c.first ? c.first : "(null)") << " " << c.second;
    }
}

// The local machine's own name must not turn a local path into a network one.
TEST(ZTPath, CaminhoRemotoOfThisHostIsThePathItself) {
    platform::String host;
    ASSERT_EQ(platform::HostName(host), platform::ERROR_SUCCESS);
    EXPECT_EQ(ZTCaminhoRemoto(host, "/dados:x"), "/dados:x");
    host.MakeUpper();
    EXPECT_EQ(ZTCaminhoRemoto("//" + host, "/dados"), "/dados");
}

}  // namespace

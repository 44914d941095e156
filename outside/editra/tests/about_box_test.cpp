// The about box: one box of the window layer with the title, the system code and the version
// the frame passes.
#include "outside/editra/zt_about_box.h"
#include "platform/ui/tests/support/recorded_window_boxes.h"

#include <QtTest>

#include <string>

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    // The box must read the title, the system code and the version's two halves in order (a
    // swapped major and minor, or a version read from elsewhere, shows here).
    void showsTitleSystemAndVersion() {
        kelvo::testing::RecordedWindowBoxes caixas;
        ZTAboutBox("Dossar", "DF", 0x00030012);
        QCOMPARE(caixas.boxes.size(), std::size_t{1});
        const kelvo::testing::RecordedBox& caixa = caixas.boxes.front();
        QCOMPARE(caixa.caption, std::string("Sobre Dossar"));
        QCOMPARE(caixa.text, std::string("Dossar\nSistema: DF\nVers\xE3o 3.18"));
        QCOMPARE(caixa.type, platform::MB_OK | platform::MB_ICONINFORMATION);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"

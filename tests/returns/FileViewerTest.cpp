// The viewer on files it does not know and on damaged ones: it never gives up on what it
// can place, and names each fault.
#include "returns/FileViewer.h"
#include "M111Fixture.h"

namespace {

class FileViewerTest : public M111Test {
protected:
    // A first quarter of taxpayer 13 with 1.234,56 € of withholdings, as written.
    QByteArray written() {
        choose(13, "1T");
        box("C3I03").setAsFloat(1234.56);
        EXPECT_TRUE(dm.GeneraFichero());
        return read(printFile());
    }

    static bool has(const FileView& view, const QString& text) {
        return std::any_of(view.lines.begin(), view.lines.end(),
                           [&](const QString& l) { return l.contains(text); });
    }
};

TEST_F(FileViewerTest, AFileItDoesNotKnowIsNamedWithItsFirstCharacters) {
    for (const QByteArray& bytes : {QByteArray("HOLA, esto no es un modelo\r\n"),
                                    QByteArray("<T999020181T0000>"), QByteArray()}) {
        const FileView view = viewFile(bytes);
        EXPECT_FALSE(view.recognized) << bytes.constData();
        ASSERT_EQ(view.lines.size(), 1);
        EXPECT_TRUE(view.lines[0].startsWith(QStringLiteral("Fichero no reconocido: «") +
                                             QString::fromLatin1(bytes.left(20).trimmed())))
            << view.lines[0].toStdString();
    }
    EXPECT_EQ(viewFile("vm\r\nxy\r\n").lines,
              QStringList{QStringLiteral("Fichero no reconocido: «vm··xy»")})
        << "the line breaks of what it read shown, not printed";
}

TEST_F(FileViewerTest, AWrittenFileReadsClean) {
    const FileView view = viewFile(written());
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0);
    EXPECT_TRUE(has(view, QStringLiteral("1.234,56 €")));
}

// A letter in an amount, a character lost in the middle of the page, a file cut short:
// every field that can still be placed is listed, each fault on a line of its own.
TEST_F(FileViewerTest, ADamagedFileListsWhatItCanPlaceAndEachFault) {
    const QByteArray file = written();
    const int page = 17 + 311; // the page starts after the opening tag and the AUX block

    QByteArray letter = file;
    letter[page + 134 + 5] = 'X'; // inside box 03, positions 134-150
    FileView view = viewFile(letter);
    EXPECT_EQ(view.faults, 1);
    EXPECT_TRUE(has(view, QStringLiteral("posición 134: no es un importe")));

    QByteArray lost = file;
    lost.remove(page + 600, 1);
    view = viewFile(lost);
    EXPECT_GE(view.faults, 2);
    EXPECT_TRUE(has(view, QStringLiteral("1.234,56 €"))) << "the boxes before the loss";
    EXPECT_TRUE(has(view, QStringLiteral("posición 989: se esperaba «</T11101000>»")));

    view = viewFile(file.left(page + 210));
    EXPECT_TRUE(view.recognized);
    EXPECT_TRUE(has(view, QStringLiteral("1.234,56 €")));
    EXPECT_TRUE(has(view, QStringLiteral("el texto acaba en la posición 210")));
    EXPECT_TRUE(has(view, QStringLiteral("se esperaba la etiqueta de cierre")));
    EXPECT_TRUE(has(view, QStringLiteral("no acaba en un salto de línea")));
}

} // namespace

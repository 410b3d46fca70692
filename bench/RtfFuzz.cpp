// libFuzzer target for the RTF reader (run by bench/fuzz.sh rtf): any bytes are read;
// what was read is written, read again and written again, which must give the same
// stream; and the placeholder replacement runs over the lines.
#include "richtext/Rtf.h"
#include "richtext/TextLines.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTextDocument first;
    (void)richtext::readRtf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                            first);
    const QByteArray written = richtext::writeRtf(first);

    QTextDocument second;
    if (richtext::readRtf(written, second) != richtext::RtfStatus::Intact)
        std::abort();
    if (richtext::writeRtf(second) != written)
        std::abort();

    richtext::TextLines lines(second);
    for (int i = 0; i < lines.count(); ++i) {
        const qsizetype bracket = lines.text(i).indexOf(u'[');
        if (bracket >= 0)
            lines.replace(i, int(bracket), 13, QStringLiteral("      1234,50"));
    }
    return 0;
}

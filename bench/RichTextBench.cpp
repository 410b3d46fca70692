// Reading and writing a 200-page memoria as RTF (about 1 MB), and replacing its formula
// placeholders line by line as the memoria composition does.
#include "richtext/Rtf.h"
#include "richtext/TextLines.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

constexpr int kPages = 200;

const QString kSentence = QStringLiteral(
    "La sociedad ha formulado las cuentas anuales del ejercicio con arreglo a los principios "
    "contables, y la compañía de Peña e hijos aporta 1.250 € de capital. ");

QTextCharFormat format(double points, bool bold = false, bool italic = false) {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    return f;
}

// A page: a centred heading, justified paragraphs with emphasis, colour and placeholders,
// a short bullet list and a tabbed line with a line break.
void addPage(QTextCursor& c, int page) {
    QTextBlockFormat heading;
    heading.setAlignment(Qt::AlignHCenter);
    c.insertBlock(heading);
    c.insertText(QStringLiteral("%1. Notas de la memoria").arg(page), format(14, true));

    QTextBlockFormat body;
    body.setAlignment(Qt::AlignJustify);
    body.setTextIndent(24);
    for (int p = 0; p < 6; ++p) {
        c.insertBlock(body);
        c.insertText(kSentence.repeated(4), format(11));
        c.insertText(QStringLiteral("Importe: "), format(11, false, true));
        c.insertText(QStringLiteral("[Formula %1]").arg(p + 1, 3, 10, QLatin1Char('0')),
                     format(11, true));
        QTextCharFormat red = format(11);
        red.setForeground(QColor(192, 0, 0));
        c.insertText(QStringLiteral(" euros, según el anexo."), red);
    }
    QTextBlockFormat item;
    item.setLeftMargin(48);
    for (int b = 0; b < 3; ++b) {
        c.insertBlock(item);
        if (b == 0)
            c.createList(QTextListFormat::ListDisc);
        c.insertText(QStringLiteral("Partida del balance número %1").arg(b), format(11));
    }
    c.insertBlock(QTextBlockFormat());
    c.insertText(QStringLiteral("Total\t[Formula 006]") + QChar::LineSeparator +
                     QStringLiteral("Año anterior\t[Formula 007]"),
                 format(11, true));
}

const QByteArray& memoria() {
    static const QByteArray rtf = [] {
        QTextDocument doc;
        QTextCursor c(&doc);
        for (int page = 1; page <= kPages; ++page)
            addPage(c, page);
        return richtext::writeRtf(doc);
    }();
    return rtf;
}

void BM_ReadRtf(benchmark::State& state) {
    const QByteArray& rtf = memoria();
    for (auto _ : state) {
        QTextDocument doc;
        benchmark::DoNotOptimize(richtext::readRtf(rtf, doc));
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["rtf_bytes"] = double(rtf.size());
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State& state) {
    QTextDocument doc;
    (void)richtext::readRtf(memoria(), doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(richtext::writeRtf(doc));
    state.SetBytesProcessed(state.iterations() * memoria().size());
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

// Every placeholder of the document replaced by a 13-character amount.
void BM_ReplacePlaceholders(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        QTextDocument doc;
        (void)richtext::readRtf(memoria(), doc);
        state.ResumeTiming();
        richtext::TextLines lines(doc);
        for (int i = 0; i < lines.count(); ++i) {
            for (qsizetype p = lines.text(i).indexOf(u'['); p >= 0; p = lines.text(i).indexOf(u'['))
                lines.replace(i, int(p), 13, QStringLiteral("      1234,50"));
        }
    }
}
BENCHMARK(BM_ReplacePlaceholders)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

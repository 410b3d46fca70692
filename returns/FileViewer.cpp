#include "returns/FileViewer.h"

#include "returns/LayoutReader.h"
#include "returns/ReturnModels.h"
#include "returns/periodic/TelematicFile.h"
#include "util/Win1252.h"

#include <QRegularExpression>

namespace {

// Characters as a line can show them: controls become "·".
QString shown(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = u'·';
    return text;
}

// The kinds whose content means something else than it reads: a figure, a date, a mark.
bool readBack(layout::Kind kind) {
    using layout::Kind;
    return kind == Kind::Count || kind == Kind::Amount || kind == Kind::Percent ||
           kind == Kind::Date || kind == Kind::DateDMY || kind == Kind::Mark;
}

class Viewer {
public:
    explicit Viewer(const QString& text) : text_(text) {}

    FileView view() {
        if (text_.startsWith(u"<T"))
            model_ = returns::findModel(text_.mid(2, 3));
        if (model_) {
            view_.recognized = true;
            telematic();
            return view_;
        }
        if (const PeriodicReturn::Model* model = printModel()) {
            model_ = model;
            view_.recognized = true;
            view_.lines << QStringLiteral("Modelo %1, fichero de impresión").arg(model_->modelo);
            section(model_->paginas.front(), 0);
            if (text_.size() != model_->paginas.front().length)
                fault(QStringLiteral("el registro tiene %1 caracteres y debería tener %2")
                          .arg(text_.size())
                          .arg(model_->paginas.front().length));
            return view_;
        }
        if (const returns::RecordFile* file = recordFile()) {
            view_.recognized = true;
            view_.records = true;
            records(*file);
            return view_;
        }
        view_.lines << QStringLiteral("Fichero no reconocido: «%1»").arg(shown(text_.left(40)));
        return view_;
    }

private:
    // A print file is one record that opens with its model's constant ("31001 ").
    const PeriodicReturn::Model* printModel() const {
        for (const PeriodicReturn::Model* model : returns::models()) {
            if (model->presentacion != PeriodicReturn::Model::Presentacion::Impresion)
                continue;
            const layout::Row& first = model->paginas.front().rows.front();
            if (first.kind == layout::Kind::Const &&
                text_.startsWith(QString::fromUtf8(first.source)))
                return model;
        }
        return nullptr;
    }

    // A record file opens with its declarant record's constant ("13472018").
    const returns::RecordFile* recordFile() const {
        for (const returns::RecordFile& file : returns::recordFiles()) {
            const layout::Row& first = file.registros.front().rows.front();
            if (text_.startsWith(QString::fromUtf8(first.source)))
                return &file;
        }
        return nullptr;
    }

    // One record a line, each read through the record type whose constants it holds.
    void records(const returns::RecordFile& file) {
        view_.lines << QStringLiteral("Modelo %1, fichero de registros").arg(file.modelo);
        qsizetype at = 0;
        int number = 0;
        for (const QString& line : text_.split(QStringLiteral("\r\n"))) {
            ++number;
            if (const layout::Table* table = recordAt(file, line)) {
                section(*table, at);
                if (line.size() != table->length)
                    fault(QStringLiteral("el registro %1 tiene %2 caracteres y debería tener %3")
                              .arg(number)
                              .arg(line.size())
                              .arg(table->length));
            } else {
                fault(QStringLiteral("registro %1 no reconocido: «%2»")
                          .arg(number)
                          .arg(shown(line.left(40))));
            }
            if (const qsizetype brk = line.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
                brk >= 0)
                fault(QStringLiteral("salto de línea dentro del registro %1, posición %2")
                          .arg(number)
                          .arg(brk + 1));
            at += line.size() + 2;
        }
    }

    // The record type whose constants stand in the line; of several (an operation and a
    // correction share theirs), the one the line fits best.
    static const layout::Table* recordAt(const returns::RecordFile& file, QStringView line) {
        const layout::Table* best = nullptr;
        qsizetype fewest = 0;
        for (const layout::Table& table : file.registros) {
            const bool constants =
                std::all_of(table.rows.begin(), table.rows.end(), [&](const layout::Row& r) {
                    return r.kind != layout::Kind::Const ||
                           line.mid(r.position - 1, r.length) == QString::fromUtf8(r.source);
                });
            if (!constants)
                continue;
            const auto read = readLayout(table, line);
            const auto faults = std::count_if(
                read.begin(), read.end(), [](const LayoutField& f) { return !f.fault.isEmpty(); });
            if (!best || faults < fewest) {
                best = &table;
                fewest = faults;
            }
        }
        return best;
    }

    // Opening tag, AUX block, the pages the model has, closing tag.
    void telematic() {
        const qsizetype end = text_.indexOf(u'>');
        if (end < 0) {
            fault(QStringLiteral("la etiqueta de apertura no se cierra"));
            return;
        }
        const QString tag = text_.left(end + 1);
        view_.lines << QStringLiteral("Modelo %1, ejercicio %2, período %3")
                           .arg(model_->modelo, tag.mid(6, 4), tag.mid(10, tag.size() - 15));
        view_.lines
            << QStringLiteral("etiqueta de apertura, posiciones 1-%1: %2").arg(tag.size()).arg(tag);
        qsizetype at = tag.size();
        section(TelematicFile::kBloqueAux, at);
        at += TelematicFile::kBloqueAux.length;
        const QString closing = TelematicFile::cierre(tag);
        while (at < text_.size() && !QStringView(text_).mid(at).startsWith(u"</")) {
            const layout::Table* page = pageAt(at);
            if (!page) {
                fault(QStringLiteral("contenido no reconocido en la posición %1: «%2»")
                          .arg(at + 1)
                          .arg(shown(text_.mid(at, 20))));
                return;
            }
            section(*page, at);
            at += page->length;
        }
        if (QStringView(text_).mid(at) != closing)
            fault(
                QStringLiteral("se esperaba la etiqueta de cierre %1 en la posición %2, y hay «%3»")
                    .arg(closing)
                    .arg(at + 1)
                    .arg(shown(text_.mid(at, 40))));
        else
            view_.lines << QStringLiteral("etiqueta de cierre, posiciones %1-%2: %3")
                               .arg(at + 1)
                               .arg(text_.size())
                               .arg(closing);
    }

    // The page whose opening row (its tag) stands at `at`.
    const layout::Table* pageAt(qsizetype at) const {
        for (const layout::Table& page : model_->paginas) {
            const layout::Row& first = page.rows.front();
            if (QStringView(text_).mid(at, first.length) == QString::fromUtf8(first.source))
                return &page;
        }
        return nullptr;
    }

    void section(const layout::Table& table, qsizetype at) {
        view_.lines << QString()
                    << QStringLiteral("%1: posiciones %2-%3 del fichero, %4 caracteres")
                           .arg(QString::fromUtf8(table.name))
                           .arg(at + 1)
                           .arg(at + table.length)
                           .arg(table.length)
                    << QStringLiteral("  posición long. casilla campo                  contenido");
        rows(table, QStringView(text_).mid(at, table.length), 0);
    }

    // `offset`: where the table starts inside its page, for a block within one.
    void rows(const layout::Table& table, QStringView text, int offset) {
        for (const LayoutField& f : readLayout(table, text)) {
            if (!f.row->variants.empty() && f.fault.isEmpty())
                block(f, offset);
            else
                field(f, offset);
        }
    }

    // A block that stands in one of several forms is read as the one it fits best, the first
    // of those that fit equally.
    void block(const LayoutField& f, int offset) {
        const layout::Table* best = nullptr;
        qsizetype fewest = 0;
        for (const layout::Table& variant : f.row->variants) {
            const auto read = readLayout(variant, f.content);
            const auto faults = std::count_if(
                read.begin(), read.end(), [](const LayoutField& r) { return !r.fault.isEmpty(); });
            if (!best || faults < fewest) {
                best = &variant;
                fewest = faults;
            }
        }
        view_.lines << QStringLiteral("  %1 %2 %3")
                           .arg(span(*f.row, offset), 8)
                           .arg(f.row->length, 5)
                           .arg(QString::fromUtf8(best->name));
        rows(*best, f.content, offset + f.row->position - 1);
    }

    static QString span(const layout::Row& row, int offset) {
        return QStringLiteral("%1-%2")
            .arg(offset + row.position)
            .arg(offset + row.position + row.length - 1);
    }

    void field(const LayoutField& f, int offset) {
        const layout::Row& row = *f.row;
        const bool filler = row.kind == layout::Kind::Blanks || row.kind == layout::Kind::Zeros;
        QString shown = QStringLiteral("«%1»").arg(f.content);
        if (filler && f.fault.isEmpty())
            shown = row.kind == layout::Kind::Blanks ? QStringLiteral("(blancos)")
                                                     : QStringLiteral("(ceros)");
        else if (readBack(row.kind) && !f.value.isEmpty())
            shown += QStringLiteral("  ") + f.value;
        const QString source =
            row.kind == layout::Kind::Const || filler ? QString() : QString::fromUtf8(row.source);
        view_.lines << QStringLiteral("  %1 %2 %3 %4 %5")
                           .arg(span(row, offset), 8)
                           .arg(row.length, 5)
                           .arg(QString::fromUtf8(row.box), -7)
                           .arg(source, -22)
                           .arg(shown);
        if (!f.fault.isEmpty())
            fault(QStringLiteral("posición %1: %2").arg(offset + row.position).arg(f.fault));
    }

    void fault(const QString& text) {
        view_.lines << QStringLiteral("  ** ") + text;
        ++view_.faults;
    }

    QString text_;
    const PeriodicReturn::Model* model_ = nullptr;
    FileView view_;
};

} // namespace

FileView viewFile(const QByteArray& bytes) {
    QString text = util::fromWin1252(bytes);
    const bool lineEnd = text.endsWith(u"\r\n");
    if (lineEnd)
        text.chop(2);
    FileView view = Viewer(text).view();
    if (!view.recognized)
        return view;
    if (!lineEnd) {
        view.lines << QStringLiteral("  ** el fichero no acaba en un salto de línea (CR LF)");
        ++view.faults;
    }
    // A record file's line ends were read record by record.
    if (const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
        at >= 0 && !view.records) {
        view.lines
            << QStringLiteral("  ** salto de línea dentro del fichero, posición %1").arg(at + 1);
        ++view.faults;
    }
    return view;
}

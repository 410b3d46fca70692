#include "framework/DataSetModel.h"

#include "db/DataSet.h"
#include "framework/UserCommand.h"

namespace framework {
namespace {

bool isNumber(db::FieldType type) {
    switch (type) {
    case db::FieldType::SmallInt:
    case db::FieldType::Integer:
    case db::FieldType::BigInt:
    case db::FieldType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

DataSetModel::DataSetModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataSetModel::setDataSet(db::DataSet* dataSet) {
    beginResetModel();
    if (dataSet_)
        disconnect(dataSet_, nullptr, this, nullptr);
    dataSet_ = dataSet;
    if (dataSet_) {
        connect(dataSet_, &db::DataSet::rowsChanged, this, &DataSetModel::reset);
        connect(dataSet_, &db::DataSet::fieldChanged, this, &DataSetModel::currentRowEdited);
        connect(dataSet_, &QObject::destroyed, this, &DataSetModel::reset);
    }
    endResetModel();
}

void DataSetModel::setColumns(std::vector<GridColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

void DataSetModel::reset() {
    beginResetModel();
    endResetModel();
}

// A get-text hook may show other fields of the row: the whole row is drawn again.
void DataSetModel::currentRowEdited() {
    const int row = dataSet_->currentRow();
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

db::Field* DataSetModel::field(int column) const {
    if (!dataSet_ || !dataSet_->active() || column < 0 || column >= columnCount())
        return nullptr;
    if (columns_.empty())
        return dataSet_->fields()[column];
    db::Field* f = dataSet_->findField(columns_[column].field);
    return f && f->bound() ? f : nullptr;
}

QString DataSetModel::fieldName(int column) const {
    if (!columns_.empty())
        return column >= 0 && column < columnCount() ? columns_[column].field.toUpper() : QString();
    const db::Field* f = field(column);
    return f ? f->name() : QString();
}

int DataSetModel::columnOf(const QString& fieldName) const {
    for (int c = 0; c < columnCount(); ++c)
        if (this->fieldName(c).compare(fieldName, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

void DataSetModel::setHighlight(const QString& fieldName, const QColor& text,
                                const QColor& background) {
    highlightField_ = fieldName;
    highlightText_ = text;
    highlightBackground_ = background;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole, Qt::BackgroundRole});
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !dataSet_ ? 0 : dataSet_->recordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    if (!columns_.empty())
        return int(columns_.size());
    return dataSet_ ? int(dataSet_->fields().size()) : 0;
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    const db::Field* f = field(index.column());
    if (!f || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return dataSet_->displayText(index.row(), f->index());
    case Qt::EditRole: // only the current row is ever edited
        return index.row() == dataSet_->currentRow()
                   ? f->editText()
                   : dataSet_->displayText(index.row(), f->index());
    case Qt::TextAlignmentRole:
        return isNumber(f->type()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
        return highlight(index.column(), role);
    default:
        return {};
    }
}

QVariant DataSetModel::highlight(int column, int role) const {
    if (highlightField_.isEmpty() ||
        fieldName(column).compare(highlightField_, Qt::CaseInsensitive) != 0)
        return {};
    const QColor& color = role == Qt::ForegroundRole ? highlightText_ : highlightBackground_;
    return color.isValid() ? QVariant(color) : QVariant();
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (!columns_.empty() && section >= 0 && section < columnCount() &&
        !columns_[section].title.isEmpty())
        return columns_[section].title;
    return fieldName(section);
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const db::Field* f = field(index.column());
    if (prompts_ && f && !f->readOnly() && dataSet_->canModify())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    db::Field* f = field(index.column());
    if (!prompts_ || !f || role != Qt::EditRole || index.row() >= rowCount())
        return false;
    const QString text = value.toString();
    return runCommand(*prompts_, [&] {
        if (index.row() != dataSet_->currentRow())
            dataSet_->moveTo(index.row());
        if (text == f->editText())
            return; // an editor closed unchanged leaves the row as it was
        dataSet_->edit();
        f->setAsString(text);
    });
}

} // namespace framework

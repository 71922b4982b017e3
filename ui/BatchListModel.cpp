#include "BatchListModel.h"

#include "engine/CommandLine.h"

#include <QCoreApplication>

BatchListModel::BatchListModel(QObject* parent) : QAbstractTableModel(parent) {}

void BatchListModel::setBatch(const engine::Batch* batch, const engine::Presenter* presenter)
{
    beginResetModel();
    if (batch_)
        disconnect(batch_, nullptr, this, nullptr);
    batch_ = batch;
    presenter_ = presenter;
    rows_.clear();
    changed_.clear();
    if (batch) {
        rows_.resize(batch->size(), Row{QCoreApplication::translate("Presenter", "Waiting"), {}});
        connect(batch, &engine::Batch::fileChanged, this, [this](qsizetype index) { changed_.insert(index); });
    }
    endResetModel();
}

void BatchListModel::refresh()
{
    if (!batch_ || !presenter_)
        return;
    QSet<qsizetype> rows = std::exchange(changed_, {});
    for (const engine::Journey* j : batch_->running())
        rows.insert(j->index());
    for (qsizetype index : std::as_const(rows)) {
        Row now = presenter_->row(index);
        Row& shown = rows_[index];
        if (now == shown)
            continue;
        shown = std::move(now);
        emit dataChanged(this->index(int(index), State), this->index(int(index), Output));
    }
}

int BatchListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int BatchListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BatchListModel::data(const QModelIndex& index, int role) const
{
    if (!batch_ || !index.isValid() || index.row() >= rows_.size())
        return {};
    const QString input = batch_->label(index.row());
    const Row& row = rows_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Name:
            return engine::lastPathComponent(input);
        case State:
            return row.state;
        case Output:
            return row.output;
        }
        return {};
    case Qt::ToolTipRole:
        return index.column() == Output && !row.output.isEmpty() ? row.output : input;
    case Qt::AccessibleTextRole:
        // A screen reader hears the file and what became of it, on any cell.
        return QStringLiteral("%1: %2").arg(engine::lastPathComponent(input), row.state);
    case Qt::AccessibleDescriptionRole:
        return row.output.isEmpty() ? input : tr("%1, converted to %2").arg(input, row.output);
    }
    return {};
}

QVariant BatchListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return tr("File");
    case State:
        return tr("State");
    case Output:
        return tr("Saved as");
    }
    return {};
}

QString BatchListModel::convertedOutput(int row) const
{
    if (!batch_ || row < 0 || row >= rows_.size())
        return {};
    const auto& o = batch_->outcome(row);
    return o && o->outcome == engine::Outcome::Converted ? o->output : QString();
}

#pragma once
#include "engine/Batch.h"
#include "engine/Presenter.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QSet>

// The files of a batch, one row each in batch order: name, state, output. Rows
// change when refresh() is called (at the progress tick), not as events come.
class BatchListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, State, Output, ColumnCount };
    explicit BatchListModel(QObject* parent = nullptr);

    // The presenter says what a row shows; both outlive the model's use of them.
    void setBatch(const engine::Batch* batch, const engine::Presenter* presenter);
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The converted file of a row, if it is one.
    QString convertedOutput(int row) const;

private:
    using Row = engine::Presenter::Row;

    QPointer<const engine::Batch> batch_;
    const engine::Presenter* presenter_ = nullptr;
    QList<Row> rows_;
    QSet<qsizetype> changed_; // rows whose file started or ended since the last refresh
};

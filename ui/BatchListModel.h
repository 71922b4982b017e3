#pragma once
#include "engine/Batch.h"

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

    void setBatch(const engine::Batch* batch);
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The converted file of a row, if it is one.
    QString convertedOutput(int row) const;
    // "Waiting", "Examining", "Converting 47%", "Converted", "Failed: REASON",
    // "Stopped", "Not audio", "Left out: REASON".
    static QString stateText(const engine::Batch& batch, qsizetype index);

private:
    struct Row {
        QString state;
        QString output;
    };
    Row rowFor(qsizetype index) const;

    QPointer<const engine::Batch> batch_;
    QList<Row> rows_;
    QSet<qsizetype> changed_; // rows whose file started or ended since the last refresh
};

// The rows of the shape information monitor as a table model: one row per
// vertex, its texts made only when the view asks for a row it shows, so that
// a refresh takes time in proportion to the vertex count at most once.
#pragma once

#include "editing/shown_decimals.h"
#include "geometry/polygon.h"

#include <QAbstractTableModel>

class TPolygonInfoModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int ColumnCount = 6;
    // The name of the side that starts at the row's vertex: its joint mark.
    static constexpr int NameColumn = 5;

    using QAbstractTableModel::QAbstractTableModel;

    // One row per vertex of polygon. The figures of a shape of fewer than two
    // vertices mean nothing: its rows keep the texts they had while they stay.
    void SetPolygon(const TPolygon& polygon);

    // How many decimals the figures show; the texts in view are made anew.
    void SetDecimals(const TShownDecimals& decimals);
    const TShownDecimals& Decimals() const { return FDecimals; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Columns "座標" to "名称"; rows numbered from 1, right-aligned in three places.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of a data cell.
    QString CellText(int row, int column) const;

private:
    TPolygon FMeasured;     // the last shape of at least two vertices
    bool FClockwise = true; // its order, found once per shape
    int FRows = 0;
    int FMeasuredRows = 0; // the first rows, which show FMeasured's figures
    TShownDecimals FDecimals;
};

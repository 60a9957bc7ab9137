#include "stage/recap_model.h"

#include "motion/error.h"

namespace pelora {
namespace {
void checkCell(int column, int row, std::int32_t rows) {
    if (column < 0 || column >= RecapModel::columns || row < 0 || row >= rows) {
        throw ShowError("Cellule hors du tableau récapitulatif : colonne " +
                        std::to_string(column) + ", ligne " + std::to_string(row));
    }
}
}  // namespace

void RecapModel::setRowCount(std::int32_t rows) {
    const std::int32_t current = RowCount();
    if (rows < current) {
        throw ShowError("Le tableau récapitulatif ne perd jamais de ligne");
    }
    if (rows == current) {
        return;
    }
    beginInsertRows({}, current, rows - 1);
    rows_.resize(static_cast<std::size_t>(rows));
    endInsertRows();
}

const QString& RecapModel::cell(int column, int row) const {
    checkCell(column, row, RowCount());
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void RecapModel::setCell(int column, int row, const std::string& text) {
    checkCell(column, row, RowCount());
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
        QString::fromStdString(text);
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

int RecapModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int RecapModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

QVariant RecapModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return cell(index.column(), index.row());
}

}  // namespace pelora

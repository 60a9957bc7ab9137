// The content of the recap table StringGrid1: one row of 13 texts per draw since start-up, and
// the row height. It only grows; rows are never changed once written.
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pelora {

class RecapModel : public QAbstractTableModel {
public:
    static constexpr int columns = 13;

    using QAbstractTableModel::QAbstractTableModel;

    std::int32_t RowCount() const { return static_cast<std::int32_t>(rows_.size()); }
    // Rows are only ever added; a smaller count is refused with a ShowError.
    void setRowCount(std::int32_t rows);
    const QString& cell(int column, int row) const;
    void setCell(int column, int row, const std::string& text);

    std::int32_t RowHeight() const { return rowHeight_; }
    void setRowHeight(std::int32_t height) { rowHeight_ = height; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::array<QString, columns>> rows_;
    std::int32_t rowHeight_ = 0;
};

}  // namespace pelora

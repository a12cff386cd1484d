#pragma once
// A fixed two-dimensional table of values indexed (column, row) from 0, as the mission's
// map, script and condition tables are. Index 0 exists and is never part of the mission.

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace plotwright {

template <typename T> class Grid
{
public:
    Grid(int columns, int rows, const T& value = T())
        : m_columns(columns), m_rows(rows), m_cells(static_cast<std::size_t>(columns) * rows, value)
    {
    }

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }

    bool contains(int column, int row) const
    {
        return column >= 0 && column < m_columns && row >= 0 && row < m_rows;
    }

    T& operator()(int column, int row) { return m_cells[index(column, row)]; }
    const T& operator()(int column, int row) const { return m_cells[index(column, row)]; }

    bool operator==(const Grid&) const = default;

private:
    std::size_t index(int column, int row) const
    {
        if (!contains(column, row)) {
            throw std::out_of_range("Grid index outside the table");
        }
        return static_cast<std::size_t>(row) * m_columns + column;
    }

    int m_columns;
    int m_rows;
    std::vector<T> m_cells;
};

} // namespace plotwright

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

namespace mqt {

// The texts of a grid's cells, held compactly for lists of a million rows:
// each row is encoded once, in UTF-8, into large blocks of memory (a length
// and the bytes of each cell up to the row's last non-empty one), and the
// grid keeps one pointer per row. The row being written is held open as
// texts, so that filling it cell by cell costs one encoding; writing another
// row closes it. A row changed later is encoded anew at the end, and the
// space its old encoding took is given back once it is half of the whole.
class GridCells {
public:
    GridCells() = default;
    GridCells(const GridCells&) = delete;
    GridCells& operator=(const GridCells&) = delete;

    int Rows() const { return int(rows_.size()); }
    int Cols() const { return cols_; }
    // Rows and columns beyond the new size are dropped, new ones are empty;
    // the others keep their texts.
    void Resize(int rows, int cols);

    QString Text(int row, int col) const;
    void SetText(int row, int col, QString&& text);

    // Bytes taken by the encoded rows, including those no longer in use.
    std::size_t EncodedBytes() const { return liveBytes_ + deadBytes_; }

private:
    // One allocation of the arena; rows never straddle two.
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        std::size_t used = 0;
    };

    void Open(int row);
    void Close();
    // The encoding of `texts` stored in the arena; null when all are empty.
    const char* Encode(const QString* texts, int count);
    char* Allocate(std::size_t size);
    void Forget(const char* encoded);
    void Compact();

    std::vector<const char*> rows_;  // null: every cell empty
    int cols_ = 0;
    std::vector<Block> blocks_;
    std::size_t liveBytes_ = 0;
    std::size_t deadBytes_ = 0;
    int openRow_ = -1;
    std::vector<QString> open_;  // the open row's texts, Cols() of them
};

}  // namespace mqt

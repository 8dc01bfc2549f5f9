// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GridCells.h"

#include <QStringEncoder>
#include <algorithm>
#include <cstring>

namespace mqt {

namespace {

// Blocks grow from 64 kB to 1 MB, so a short list takes little memory.
constexpr std::size_t FirstBlockSize = std::size_t(1) << 16;
constexpr std::size_t BlockSize = std::size_t(1) << 20;

// Lengths are written seven bits a byte, low bits first; a set high bit
// means another byte follows.
char* PutLength(char* out, std::size_t length)
{
    while (length >= 0x80) {
        *out++ = char(0x80 | (length & 0x7F));
        length >>= 7;
    }
    *out++ = char(length);
    return out;
}

const char* GetLength(const char* in, std::size_t& length)
{
    length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*in++);
        length |= std::size_t(byte & 0x7F) << shift;
        if (!(byte & 0x80)) return in;
    }
}

// How many cells the row holds, and where the first begins.
const char* CellCount(const char* encoded, std::size_t& count) { return GetLength(encoded, count); }

// Steps over one cell; gives its bytes.
const char* NextCell(const char* cell, const char*& bytes, std::size_t& size)
{
    bytes = GetLength(cell, size);
    return bytes + size;
}

std::size_t EncodedSize(const char* encoded)
{
    std::size_t count = 0;
    const char* at = CellCount(encoded, count);
    for (std::size_t c = 0; c < count; ++c) {
        const char* bytes = nullptr;
        std::size_t size = 0;
        at = NextCell(at, bytes, size);
    }
    return std::size_t(at - encoded);
}

}  // namespace

void GridCells::Resize(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (openRow_ >= rows) {
        openRow_ = -1;
        open_.clear();
    }
    Close();
    for (std::size_t r = std::size_t(rows); r < rows_.size(); ++r) Forget(rows_[r]);
    rows_.resize(std::size_t(rows), nullptr);
    if (cols < cols_) {
        // Rows with cells beyond the new width are encoded again without them.
        std::vector<QString> texts(static_cast<std::size_t>(cols));
        for (int r = 0; r < rows; ++r) {
            const char* encoded = rows_[std::size_t(r)];
            if (!encoded) continue;
            std::size_t count = 0;
            CellCount(encoded, count);
            if (count <= std::size_t(cols)) continue;
            for (int c = 0; c < cols; ++c) texts[std::size_t(c)] = Text(r, c);
            Forget(encoded);
            rows_[std::size_t(r)] = Encode(texts.data(), cols);
        }
    }
    cols_ = cols;
    Compact();
}

QString GridCells::Text(int row, int col) const
{
    if (row == openRow_) return open_[std::size_t(col)];
    const char* encoded = rows_[std::size_t(row)];
    if (!encoded) return {};
    std::size_t count = 0;
    const char* at = CellCount(encoded, count);
    if (std::size_t(col) >= count) return {};
    const char* bytes = nullptr;
    std::size_t size = 0;
    for (int c = 0; c <= col; ++c) at = NextCell(at, bytes, size);
    return QString::fromUtf8(bytes, qsizetype(size));
}

void GridCells::SetText(int row, int col, QString&& text)
{
    if (row != openRow_) {
        // Writing into an empty row with an empty text changes nothing.
        if (text.isEmpty() && !rows_[std::size_t(row)]) return;
        Open(row);
    }
    open_[std::size_t(col)] = std::move(text);
}

// Holds the row's texts open for writing; its encoding is given up.
void GridCells::Open(int row)
{
    Close();
    open_.resize(std::size_t(cols_));
    if (rows_[std::size_t(row)])
        for (int c = 0; c < cols_; ++c) open_[std::size_t(c)] = Text(row, c);
    Forget(rows_[std::size_t(row)]);
    rows_[std::size_t(row)] = nullptr;
    openRow_ = row;
}

void GridCells::Close()
{
    if (openRow_ < 0) return;
    rows_[std::size_t(openRow_)] = Encode(open_.data(), cols_);
    openRow_ = -1;
    for (QString& text : open_) text = QString();
    Compact();
}

const char* GridCells::Encode(const QString* texts, int count)
{
    while (count > 0 && texts[count - 1].isEmpty()) --count;
    if (count == 0) return nullptr;
    // At most three UTF-8 bytes per UTF-16 unit, and ten bytes per length.
    std::size_t bound = 10;
    for (int c = 0; c < count; ++c) bound += 10 + 3 * std::size_t(texts[c].size());
    std::unique_ptr<char[]> scratch;
    char local[1024];
    char* buffer = local;
    if (bound > sizeof local) {
        scratch = std::make_unique_for_overwrite<char[]>(bound);
        buffer = scratch.get();
    }
    char* out = PutLength(buffer, std::size_t(count));
    QStringEncoder utf8(QStringEncoder::Utf8);
    for (int c = 0; c < count; ++c) {
        const QString& text = texts[c];
        bool ascii = true;
        for (QChar unit : text)
            if (unit.unicode() >= 0x80) {
                ascii = false;
                break;
            }
        if (ascii) {
            out = PutLength(out, std::size_t(text.size()));
            for (QChar unit : text) *out++ = char(unit.unicode());
            continue;
        }
        char cell[10 + 3 * 64];
        std::unique_ptr<char[]> large;
        char* bytes = cell;
        if (std::size_t(text.size()) > 64) {
            large = std::make_unique_for_overwrite<char[]>(3 * std::size_t(text.size()));
            bytes = large.get();
        }
        const char* end = utf8.appendToBuffer(bytes, text);
        const std::size_t size = std::size_t(end - bytes);
        out = PutLength(out, size);
        std::memcpy(out, bytes, size);
        out += size;
    }
    const std::size_t size = std::size_t(out - buffer);
    char* stored = Allocate(size);
    std::memcpy(stored, buffer, size);
    liveBytes_ += size;
    return stored;
}

char* GridCells::Allocate(std::size_t size)
{
    if (blocks_.empty() || blocks_.back().size - blocks_.back().used < size) {
        Block block;
        block.size = std::max(size, std::min(BlockSize, FirstBlockSize << std::min<std::size_t>(blocks_.size(), 4)));
        block.bytes = std::make_unique_for_overwrite<char[]>(block.size);
        blocks_.push_back(std::move(block));
    }
    Block& block = blocks_.back();
    char* at = block.bytes.get() + block.used;
    block.used += size;
    return at;
}

void GridCells::Forget(const char* encoded)
{
    if (!encoded) return;
    const std::size_t size = EncodedSize(encoded);
    liveBytes_ -= size;
    deadBytes_ += size;
}

// Copies the rows in use into new blocks once the unused space is as large
// as the used one.
void GridCells::Compact()
{
    if (deadBytes_ == 0 || deadBytes_ < liveBytes_) return;
    std::vector<Block> old;
    old.swap(blocks_);
    deadBytes_ = 0;
    for (const char*& encoded : rows_) {
        if (!encoded) continue;
        const std::size_t size = EncodedSize(encoded);
        char* stored = Allocate(size);
        std::memcpy(stored, encoded, size);
        encoded = stored;
    }
}

}  // namespace mqt

// The picture's operations, each cut at the destination's edges.
#include "engine/picture.h"

#include <algorithm>
#include <cstring>

namespace {

// The part of [start, start + length) that lies in [0, limit), in 64 bits so
// that no position or size of 32 bits overflows.
struct PictureSpan {
    int64_t from = 0, to = 0;
    bool Empty() const { return to <= from; }
};

PictureSpan PictureClip(int64_t start, int64_t length, int64_t limit)
{
    return PictureSpan{std::max<int64_t>(start, 0), std::min<int64_t>(start + length, limit)};
}

// The stretch's step along a side of source pixels drawn over drawn pixels,
// in 16.16 fixed point.
uint64_t PictureScaleStep(int32_t source, int32_t drawn)
{
    return (static_cast<uint64_t>(source) << 16) / static_cast<uint64_t>(drawn);
}

// The source pixel drawn pixel i shows.
int32_t PictureScaleSource(uint64_t step, int64_t i)
{
    return static_cast<int32_t>((step / 2 + static_cast<uint64_t>(i) * step) >> 16);
}

} // namespace

Picture PictureMake(int32_t width, int32_t height)
{
    Picture picture;
    if (width <= 0 || height <= 0)
        return picture;
    picture.width = width;
    picture.height = height;
    picture.pitch = width;
    picture.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    return picture;
}

bool PictureEmpty(const Picture& picture)
{
    return picture.pixels.empty();
}

void PictureFill(Picture& dest, const PictureRect& rect, uint32_t rgb)
{
    const PictureSpan columns = PictureClip(rect.x, rect.width, dest.width);
    const PictureSpan rows = PictureClip(rect.y, rect.height, dest.height);
    if (columns.Empty() || rows.Empty())
        return;
    for (int64_t y = rows.from; y < rows.to; ++y) {
        uint32_t* row = dest.Row(static_cast<int32_t>(y));
        std::fill(row + columns.from, row + columns.to, rgb);
    }
}

PictureRuns PictureRunsOf(const Picture& source)
{
    PictureRuns made;
    made.rowStart.reserve(static_cast<size_t>(source.height) + 1);
    for (int32_t y = 0; y < source.height; ++y) {
        made.rowStart.push_back(static_cast<uint32_t>(made.runs.size()));
        const uint32_t* row = source.Row(y);
        int32_t x = 0;
        while (x < source.width) {
            while (x < source.width && row[x] == PICTURE_KEY)
                ++x;
            const int32_t from = x;
            while (x < source.width && row[x] != PICTURE_KEY)
                ++x;
            if (x > from)
                made.runs.push_back(PictureRun{from, x});
        }
    }
    made.rowStart.push_back(static_cast<uint32_t>(made.runs.size()));
    return made;
}

void PictureCopyKeyed(Picture& dest, int32_t x, int32_t y, const Picture& source, const PictureRuns& runs)
{
    const PictureSpan columns = PictureClip(x, source.width, dest.width);
    const PictureSpan rows = PictureClip(y, source.height, dest.height);
    if (columns.Empty() || rows.Empty() || runs.rowStart.size() != static_cast<size_t>(source.height) + 1)
        return;
    // The drawn columns [left, right) in the source's own; to points at the
    // destination pixel of source column left. Row to row, the pointers
    // move on by the pitches (and only while a row is left to draw).
    const int32_t left = static_cast<int32_t>(columns.from - x);
    const int32_t right = static_cast<int32_t>(columns.to - x);
    const bool whole = left == 0 && right == source.width;
    const int32_t firstRow = static_cast<int32_t>(rows.from - y);
    const uint32_t* from = source.Row(firstRow);
    uint32_t* to = dest.Row(static_cast<int32_t>(rows.from)) + columns.from;
    const uint32_t* rowStart = runs.rowStart.data() + firstRow;
    const PictureRun* all = runs.runs.data();
    for (int64_t rowsLeft = rows.to - rows.from;;) {
        const PictureRun* end = all + rowStart[1];
        if (whole) {
            for (const PictureRun* run = all + rowStart[0]; run != end; ++run)
                std::memcpy(to + run->from, from + run->from, static_cast<size_t>(run->to - run->from) * sizeof(uint32_t));
        } else {
            for (const PictureRun* run = all + rowStart[0]; run != end; ++run) {
                const int32_t first = std::max(run->from, left);
                const int32_t last = std::min(run->to, right);
                if (first < last)
                    std::memcpy(to + (first - left), from + first, static_cast<size_t>(last - first) * sizeof(uint32_t));
            }
        }
        if (--rowsLeft == 0)
            break;
        from += source.pitch;
        to += dest.pitch;
        ++rowStart;
    }
}

void PictureCopyScaledKeyed(Picture& dest, int32_t x, int32_t y, int32_t width, int32_t height, const Picture& source)
{
    if (width <= 0 || height <= 0 || PictureEmpty(source))
        return;
    const PictureSpan columns = PictureClip(x, width, dest.width);
    const PictureSpan rows = PictureClip(y, height, dest.height);
    if (columns.Empty() || rows.Empty())
        return;
    const uint64_t stepX = PictureScaleStep(source.width, width);
    const uint64_t stepY = PictureScaleStep(source.height, height);
    std::vector<int32_t> sourceColumns(static_cast<size_t>(columns.to - columns.from));
    for (size_t i = 0; i < sourceColumns.size(); ++i)
        sourceColumns[i] = PictureScaleSource(stepX, columns.from - x + static_cast<int64_t>(i));
    for (int64_t row = rows.from; row < rows.to; ++row) {
        const uint32_t* from = source.Row(PictureScaleSource(stepY, row - y));
        uint32_t* to = dest.Row(static_cast<int32_t>(row)) + columns.from;
        for (size_t i = 0; i < sourceColumns.size(); ++i) {
            const uint32_t pixel = from[sourceColumns[i]];
            if (pixel != PICTURE_KEY)
                to[i] = pixel;
        }
    }
}

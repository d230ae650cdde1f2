#include "cli/cached_distance.h"

#include "scoring/square_number.h"

namespace {
constexpr std::size_t kFirstSlots = 1024;
constexpr int kCells = 180;  // squares along a meridian, and along a parallel
// Own squares with a row of their own: a row takes 130 kB.
constexpr std::size_t kRows = 8;
constexpr float kNotMeasured = -1;

// A square's centre in degrees, by its row from the south and its column from the west: squares
// are 1 degree high and 2 wide from 90 S and 180 W. Each value is exact in float, so these are the
// floats the geometry gives.
float Latitude(int row) {
  return static_cast<float>(row) - 89.5f;
}
float Longitude(int column) {
  return static_cast<float>(2 * column) - 179.0f;
}

struct Cell {
  int row;
  int column;
};

// A locator of exactly a square's four characters (letters in either case); the geometry reads
// any other text.
std::optional<Cell> CellOf(const std::string& locator) {
  const std::optional<int> square = locator.size() == 4 ? SquareNumber(locator) : std::nullopt;
  if (!square) {
    return std::nullopt;
  }
  return Cell{SquareRow(*square), SquareColumn(*square)};
}

// The number of the square whose centre lies exactly there, or nothing.
std::optional<int> CellAt(float latitude, float longitude) {
  const float row = latitude + 89.5f;
  const float column = (longitude + 179.0f) / 2;
  if (!(row >= 0 && row < kCells && column >= 0 && column < kCells)) {
    return std::nullopt;
  }
  const Cell cell{static_cast<int>(row), static_cast<int>(column)};
  if (Latitude(cell.row) != latitude || Longitude(cell.column) != longitude) {
    return std::nullopt;
  }
  return cell.row * kCells + cell.column;
}

std::size_t SlotOf(std::uint32_t key, std::size_t slots) {
  // Fibonacci hashing: the high bits of the product spread neighbouring squares apart.
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & (slots - 1);
}
}  // namespace

HResult CachedGeometryDistance::GetCoordA(const std::string& locator, float* coordA) {
  if (const std::optional<Cell> cell = CellOf(locator)) {
    *coordA = Latitude(cell->row);
    return 0;
  }
  return geometry_->GetCoordA(locator, coordA);
}

HResult CachedGeometryDistance::GetCoordB(const std::string& locator, float* coordB) {
  if (const std::optional<Cell> cell = CellOf(locator)) {
    *coordB = Longitude(cell->column);
    return 0;
  }
  return geometry_->GetCoordB(locator, coordB);
}

HResult CachedGeometryDistance::GetDistance(float ownA, float ownB, float qsoA, float qsoB,
                                            float* distance) {
  const std::optional<int> own = CellAt(ownA, ownB);
  const std::optional<int> qso = CellAt(qsoA, qsoB);
  if (!own || !qso) {
    return geometry_->GetDistance(ownA, ownB, qsoA, qsoB, distance);
  }
  if (Row* row = RowOf(*own)) {
    float& known = row->distances[static_cast<std::size_t>(*qso)];
    if (known == kNotMeasured) {
      float measured = 0;
      const HResult code = geometry_->GetDistance(ownA, ownB, qsoA, qsoB, &measured);
      if (Failed(code)) {
        return code;
      }
      known = measured;
    }
    *distance = known;
    return 0;
  }
  const auto key = static_cast<std::uint32_t>(*own * kCells * kCells + *qso + 1);
  return PairDistance(key, ownA, ownB, qsoA, qsoB, distance);
}

CachedGeometryDistance::Row* CachedGeometryDistance::RowOf(int own) {
  for (Row& row : rows_) {
    if (row.own == own) {
      return &row;
    }
  }
  if (rows_.size() == kRows) {
    return nullptr;
  }
  return &rows_.emplace_back(Row{own, std::vector<float>(kCells * kCells, kNotMeasured)});
}

HResult CachedGeometryDistance::PairDistance(std::uint32_t key, float ownA, float ownB, float qsoA,
                                             float qsoB, float* distance) {
  if (slots_.empty()) {
    slots_.resize(kFirstSlots);
  }
  std::size_t i = SlotOf(key, slots_.size());
  while (slots_[i].key != 0) {
    if (slots_[i].key == key) {
      *distance = slots_[i].distance;
      return 0;
    }
    i = (i + 1) & (slots_.size() - 1);
  }
  float measured = 0;
  const HResult code = geometry_->GetDistance(ownA, ownB, qsoA, qsoB, &measured);
  if (Failed(code)) {
    return code;
  }
  slots_[i] = {key, measured};
  if (++taken_ * 2 > slots_.size()) {
    Grow();
  }
  *distance = measured;
  return 0;
}

void CachedGeometryDistance::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& slot : old) {
    if (slot.key != 0) {
      std::size_t i = SlotOf(slot.key, slots_.size());
      while (slots_[i].key != 0) {
        i = (i + 1) & (slots_.size() - 1);
      }
      slots_[i] = slot;
    }
  }
}

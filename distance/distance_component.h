// The distance component as the scoring sees it: locators to coordinates, coordinates to
// kilometres.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

using HResult = std::int32_t;  // a COM result code; the top bit set means failure

inline bool Failed(HResult code) {
  return code < 0;
}

// The component's three operations, in the order it declares them, each with its value in the last
// out parameter; plus the texts a failed call leaves behind for its message. Locators are the
// host's single-byte texts: a component that takes wide text converts them from the host's code
// page, as every other text of the host.
class DistanceComponent {
 public:
  virtual ~DistanceComponent() = default;
  virtual HResult GetCoordA(const std::string& locator, float* coordA) = 0;
  virtual HResult GetCoordB(const std::string& locator, float* coordB) = 0;
  virtual HResult GetDistance(float ownA, float ownB, float qsoA, float qsoB, float* distance) = 0;

  // The component's own description of the last failure (empty when it gave none).
  virtual std::string ErrorDescription() = 0;
  // The system's text for a result code (empty when the system has none).
  virtual std::string SystemMessage(HResult code) = 0;
};

// Creates the component; throws when it cannot be created.
using DistanceComponentFactory = std::shared_ptr<DistanceComponent> (*)();

class EOleException : public std::runtime_error {
 public:
  EOleException(const std::string& message, HResult code)
      : std::runtime_error(message), code_(code) {}
  HResult Code() const { return code_; }

 private:
  HResult code_;
};

// The message for a failed call: the description less trailing blanks, control characters and
// full stops; else the system's text; else "OLE error %.8x".
std::string OleErrorMessage(HResult code, const std::string& description,
                            const std::string& systemText);

// Raises EOleException for a failed result, reading its texts from the component.
void OleCheck(HResult code, DistanceComponent& component);

#pragma once

// The DPI of a window's paint manager: fonts are made for it.
class CDPI {
 public:
  // 0 unaware, 1 system aware (the process is marked DPI aware).
  void SetDPIAwareness(int awareness);
  int GetDPIAwareness() const { return awareness_; }
  void SetDPI(int dpi);
  int GetDPI() const { return dpi_; }
  // A length in 96-DPI pixels at this DPI.
  int Scale(int length) const;

 private:
  int awareness_ = 0;
  int dpi_ = 96;
};

#pragma once
#include <cstdint>

#include "ui/control.h"
#include "ui/hsb_color.h"

// A colour picker: a field of hue (left to right) and saturation (top to bottom), and under it a
// brightness bar. A pick with the mouse (press, drag, release) raises one "colorchanged" at the
// release; SetSelectColor raises nothing and GetSelectColor gives back exactly what was set.
class CColorPaletteUI : public CControlUI {
 public:
  CColorPaletteUI();
  ~CColorPaletteUI() override;
  LPCTSTR GetClass() const override;

  DWORD GetSelectColor() const;  // ARGB
  void SetSelectColor(DWORD argb);
  int GetBarHeight() const;
  void SetBarHeight(int height);  // layout attribute "barheight"

  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void DoEvent(TEventUI& event) override;
  void PaintStatusImage(HDC dc) override;

 private:
  enum class Dragging { kNothing, kField, kBar };
  RECT FieldRect() const;
  RECT BarRect() const;
  // Takes the colour at the point for the part being dragged.
  void PickAt(POINT pt);
  // Renders field and bar into the cached picture when size or colour changed.
  void RenderPicture(const RECT& field, const RECT& bar);

  DWORD color_;
  HsbColor hsb_;
  int barHeight_ = 12;
  Dragging dragging_ = Dragging::kNothing;
  HBITMAP picture_ = nullptr;
  uint32_t* pixels_ = nullptr;
  SIZE pictureSize_{};
  HsbColor pictureHsb_{-1, -1, -1};
};

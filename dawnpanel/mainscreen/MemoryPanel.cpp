#include "dawnpanel/mainscreen/Painting.h"
#include "dawnpanel/mainscreen/Ratio.h"

int32_t FreeMemoryPixels(int32_t freeKiB, int32_t totalMiB) {
  // Readings that make no sense must not push the blue part out of the square.
  if (totalMiB <= 0) return 62;
  if (freeKiB <= 0) return 0;
  const uint64_t pixels = RoundedRatio(62, static_cast<uint64_t>(freeKiB), static_cast<uint64_t>(totalMiB) * 1024);
  return pixels > 62 ? 62 : static_cast<int32_t>(pixels);
}

void ShowMem(Canvas& canvas, const TSettingsHistory& record, const PanelView& view) {
  canvas.SetPenAndBrush(clWhite);
  canvas.Rectangle(7, 7, 69, 69);
  canvas.SetPenAndBrush(clBlue);
  canvas.Rectangle(7, 7 + FreeMemoryPixels(record.FreeMems[0], record.TotalMem), 69, 69);

  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetFontSize(9);
  canvas.SetFontBold(true);
  canvas.SetFontColor(clLime);
  canvas.TextOut(10, 18, "Всего");
  canvas.TextOut(10, 30, "памяти:");
  canvas.TextOut(11, 42, std::to_string(record.TotalMem) + "M");

  canvas.SetFontColor(clBlack);
  canvas.SetFontBold(false);
  canvas.TextOut(81, 18, "памяти");
  canvas.TextOut(81, 30, "свободно");

  canvas.SetFontSize(10);
  canvas.SetFontBold(true);
  canvas.SetFontColor(clBlue);
  canvas.TextOut(79, 3, FormatN(record.FreeMems[0] / 1024.0, 1, view.Format) + "MБ");

  canvas.SetPenColor(clRed);
  canvas.SetPenStyle(TPenStyle::Solid);
  canvas.MoveTo(57, 9);
  canvas.LineTo(77, 9);

  canvas.SetPenColor(clBlack);
  canvas.Rectangle(7, 7, 69, 69);

  // 19 marks on each side of the square, 3 pixels apart.
  for (int d = 0; d <= 54; d += 3) {
    canvas.MoveTo(11 + d, 3);
    canvas.LineTo(11 + d, 7);
    canvas.MoveTo(11 + d, 69);
    canvas.LineTo(11 + d, 73);
    canvas.MoveTo(3, 11 + d);
    canvas.LineTo(7, 11 + d);
    canvas.MoveTo(69, 11 + d);
    canvas.LineTo(73, 11 + d);
  }
}

#include "dawnpanel/mainscreen/Painting.h"
#include "dawnpanel/mainscreen/Ratio.h"

int32_t FreeDiskShare(int32_t freeMiB, int32_t totalMiB) {
  if (totalMiB <= 0) totalMiB = 1;
  if (freeMiB < 0) freeMiB = 0;
  return Saturated32(RoundedQuotient(255 * static_cast<uint64_t>(freeMiB) + 1, static_cast<uint64_t>(totalMiB)));
}

PiePoint PieWalk(int32_t v) {
  if (v < 0) v = 0;
  if (v <= 31) return {35 + (35 * v) / 32, 0};
  if (v <= 95) return {70, v - 32};
  if (v <= 159) return {70 - (v - 96), 70};
  if (v <= 223) return {0, 70 - (v - 160)};
  if (v <= 255) return {v - 224, 0};
  return {0, 0};
}

void ShowDisk(Canvas& canvas, TSettingsHistory& record, const PanelView& view) {
  if (record.TotalDisk == 0) record.TotalDisk = 1;
  const int32_t v = FreeDiskShare(record.FreeDisks[0], record.TotalDisk);
  const PiePoint p = PieWalk(v);

  canvas.SetBrushColor(clBlue);
  canvas.SetPenColor(clBlack);
  canvas.Pie(342, 3, 412, 73, 377, 3, 342 + p.X, 3 + p.Y);
  // With nothing free the slice's two radials meet, which would draw a whole white disk.
  if (v > 0) {
    canvas.SetBrushColor(clWhite);
    canvas.Pie(344, 5, 414, 75, 344 + p.X, 5 + p.Y, 379, 5);
  }

  const bool several = record.DriveCount > 1;
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetFontSize(9);
  canvas.SetFontBold(true);
  canvas.SetFontColor(clLime);
  canvas.TextOut(352, 7, several ? "Диски" : "Диск");
  canvas.TextOut(346, 22, record.DriveList + ":");
  canvas.TextOut(346, 38, FormatN(record.TotalDisk, 0, view.Format) + "M");

  canvas.SetFontSize(10);
  canvas.SetFontColor(clBlue);
  canvas.TextOut(418, 3, FormatN(record.FreeDisks[0], 0, view.Format) + "MБ");

  canvas.SetFontSize(9);
  canvas.SetFontColor(clBlack);
  canvas.SetFontBold(false);
  canvas.TextOut(419, 18, several ? "на дисках" : "на диске");
  canvas.TextOut(419, 30, "свободно");

  canvas.SetPenColor(clRed);
  canvas.SetPenStyle(TPenStyle::Solid);
  canvas.MoveTo(388, 11);
  canvas.LineTo(416, 11);
}

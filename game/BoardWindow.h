#pragma once
// What the tile board needs of the window that hosts it. The board never sees
// a real window: the main window implements this, and the native tests use a
// fake one.

#include <string_view>

// A tile's push button, as the hosting window knows it. Opaque to the board.
class TTileButton;

struct TBoardAreaSize {
  int Width = 0;
  int Height = 0;
};

class IBoardWindow {
 public:
  virtual ~IBoardWindow() = default;

  // Outer size in pixels, frame, caption and menu bar included. The height is
  // set before the width.
  virtual void SetOuterHeight(int height) = 0;
  virtual void SetOuterWidth(int width) = 0;
  // Size of the board area as laid out for the current window size.
  virtual TBoardAreaSize ReadBoardAreaSize() = 0;

  // A push button placed directly on the window (client coordinates), shown,
  // whose click the window hands to TBoard::Button1Click.
  virtual TTileButton* CreateTileButton(int left, int top, int width, int height,
                                        std::wstring_view caption) = 0;
  virtual void SetTileVisible(TTileButton* button, bool visible) = 0;
  virtual bool IsTileVisible(const TTileButton* button) const = 0;
  virtual void SetTileCaption(TTileButton* button, std::wstring_view caption) = 0;
  virtual void DestroyTileButton(TTileButton* button) = 0;

  // Text of status panel 0.
  virtual void SetMoveStatus(std::wstring_view text) = 0;
  // Modal box with one OK button and no icon; returns once dismissed.
  virtual void ShowCongratulation(std::wstring_view text, std::wstring_view caption) = 0;
};

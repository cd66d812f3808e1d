#pragma once
// A window for the board without any real window: it keeps the tile buttons as
// plain objects and records what the board asked of it. Header-only, shared by
// the native tests and the benchmarks; it uses no test framework. Misuse by
// the board (a destroyed or foreign button) throws std::logic_error.

#include <cstddef>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "BoardWindow.h"

class FakeBoardWindow;

class TTileButton {
 public:
  int Left = 0, Top = 0, Width = 0, Height = 0;
  std::wstring Caption;
  bool Visible = true;
  bool Alive = true;

 private:
  friend class FakeBoardWindow;
  const FakeBoardWindow* Owner = nullptr;
};

class FakeBoardWindow final : public IBoardWindow {
 public:
  // Board area as the real window lays it out: client = outer - frame, board
  // area = client minus the status bar. Override sets a fixed size instead.
  int FrameWidth = 8, FrameHeight = 42, StatusBarHeight = 19;
  bool OverrideArea = false;
  TBoardAreaSize Area;

  int OuterWidth = 0, OuterHeight = 0;
  std::string SizeCalls;  // 'H' SetOuterHeight, 'W' SetOuterWidth, 'R' ReadBoardAreaSize

  std::vector<std::unique_ptr<TTileButton>> Buttons;  // every button ever created
  int Created = 0, Destroyed = 0;

  bool KeepStatusHistory = true;
  std::vector<std::wstring> StatusHistory;
  std::wstring Status;
  int StatusUpdates = 0;
  std::function<void(std::wstring_view)> OnStatus;

  std::vector<std::pair<std::wstring, std::wstring>> Congratulations;  // text, caption
  std::function<void()> OnCongratulation;  // runs while the box is "open"

  void SetBoardArea(int width, int height) {
    OverrideArea = true;
    Area = {width, height};
  }

  // --- IBoardWindow
  void SetOuterHeight(int height) override {
    OuterHeight = height;
    SizeCalls += 'H';
  }
  void SetOuterWidth(int width) override {
    OuterWidth = width;
    SizeCalls += 'W';
  }
  TBoardAreaSize ReadBoardAreaSize() override {
    SizeCalls += 'R';
    if (OverrideArea) return Area;
    return {OuterWidth - FrameWidth, OuterHeight - FrameHeight - StatusBarHeight};
  }
  TTileButton* CreateTileButton(int left, int top, int width, int height,
                                std::wstring_view caption) override {
    auto button = std::make_unique<TTileButton>();
    button->Left = left;
    button->Top = top;
    button->Width = width;
    button->Height = height;
    button->Caption = caption;
    button->Owner = this;
    Buttons.push_back(std::move(button));
    ++Created;
    return Buttons.back().get();
  }
  void SetTileVisible(TTileButton* button, bool visible) override { Check(button).Visible = visible; }
  bool IsTileVisible(const TTileButton* button) const override { return Check(button).Visible; }
  void SetTileCaption(TTileButton* button, std::wstring_view caption) override {
    Check(button).Caption = caption;
  }
  void DestroyTileButton(TTileButton* button) override {
    Check(button).Alive = false;
    ++Destroyed;
  }
  void SetMoveStatus(std::wstring_view text) override {
    Status = text;
    ++StatusUpdates;
    if (KeepStatusHistory) StatusHistory.emplace_back(text);
    if (OnStatus) OnStatus(text);
  }
  void ShowCongratulation(std::wstring_view text, std::wstring_view caption) override {
    Congratulations.emplace_back(std::wstring(text), std::wstring(caption));
    if (OnCongratulation) OnCongratulation();
  }

  // --- Inspection
  std::vector<const TTileButton*> LiveButtons() const {
    std::vector<const TTileButton*> live;
    for (const auto& button : Buttons)
      if (button->Alive) live.push_back(button.get());
    return live;
  }
  // The live button at (left, top), or nullptr.
  const TTileButton* ButtonAt(int left, int top) const {
    for (const auto& button : Buttons)
      if (button->Alive && button->Left == left && button->Top == top) return button.get();
    return nullptr;
  }

 private:
  TTileButton& Check(const TTileButton* button) const {
    if (button == nullptr || button->Owner != this)
      throw std::logic_error("FakeBoardWindow: not one of this window's buttons");
    if (!button->Alive) throw std::logic_error("FakeBoardWindow: button already destroyed");
    return const_cast<TTileButton&>(*button);
  }
};

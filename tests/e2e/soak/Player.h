#pragma once
// Plays events on the running program with real input and checks, after
// each, what the player sees against what the rules say.

#include <windows.h>

#include <string>

#include "Events.h"
#include "Model.h"
#include "Program.h"

namespace soak {

class TPlayer {
 public:
  // `other` is a window of the soak's own, which takes the activation away
  // from the program when an event needs it.
  TPlayer(TProgram& program, HWND other) : FProgram(program), FOther(other) {}

  // Starts the program afresh, with the model at its start-up state.
  std::string Restart();
  TScreen Observe() const;
  bool HelpOpen() const;
  // Plays one event and checks; an empty text when all holds. An event
  // meant for another screen than the one in front is skipped.
  std::string Play(const TEvent& event);
  // Games congratulated so far.
  int Congratulations() const { return FCongratulations; }

 private:
  std::string Perform(const TEvent& event);
  std::string Check();
  std::string Settle() const;

  std::string ClickTile(const TEvent& event);
  std::string TileKey(const TEvent& event);
  // Counts a click on slot `slot` of the board read before it.
  std::string ExpectClick(const e2e::Board& before, int slot);
  std::string Command(int command, bool mouse);
  std::string AfterCommand(int command);
  std::string Resize(const TEvent& event);
  std::string CloseHelp();
  std::string CloseMain(bool box);
  std::string ExpectExit();

  std::string DialogEvent(const TEvent& event);
  std::string HoldArrow(HWND dialog, const TEvent& event);
  std::string EndDialog(HWND dialog, int way);
  std::string DialogEnded(bool applied);
  std::string AboutEnd(int way);
  std::string BoxEnd(int way);

  // A real click at a point; waits until the press reached `pressed` (when
  // given) before letting the button go, and until the release freed it.
  void Click(POINT p, HWND pressed = nullptr);
  void CloseBox(HWND window);
  bool OpenMenu(int bar, bool mouse);
  POINT MenuBarPoint(int bar);
  HWND Dialog() const;

  TProgram& FProgram;
  HWND FOther;
  TModel FModel;
  bool FBoxExpected = false;
  int FCongratulations = 0;
  bool FPressTaken = true;  // whether the last click's press reached the window meant
  int FBarOffset[3] = {-1, -1, -1};
  int FPopupWidth[3] = {};  // left of each menu of the bar from the window's left
};

}  // namespace soak

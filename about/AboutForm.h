#pragma once
// TFAbout: the About dialog. Built from its stored layout for one showing;
// its creation reads the icon and the memory figures and beeps.

#include "ExtCtrls.h"
#include "Forms.h"
#include "Lines.h"
#include "MemoryStatus.h"
#include "StdCtrls.h"

class TFAbout : public TForm {
 public:
  explicit TFAbout(TComponent* owner, TMemorySource memory = ReadMemoryStatus);

  // The components of the stored layout, bound once it is read.
  TButton* Button1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* lblPhysMem = nullptr;
  TLabel* lblPhysRes = nullptr;
  TLine* Line1 = nullptr;
  TLine* Line2 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TImage* FImage = nullptr;

  void FormCreate();
  void Button1Click(TComponent* sender);

 protected:
  void AfterConstruction() override;
  TComponent* CreateComponent(const std::string& className) override;
  void DpiApplied() override;

 private:
  // The banner and the icon, made for the screen's density.
  void ShowPictures();
  TMemorySource FMemory;
};

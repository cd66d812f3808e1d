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

  // The components of the stored layout.
  TButton& Button1;
  TImage& Image1;
  TLabel& lblPhysMem;
  TLabel& lblPhysRes;
  TLine& Line1;
  TLine& Line2;
  TLabel& Label1;
  TLabel& Label2;
  TLabel& Label3;
  TImage& FImage;

  void FormCreate();
  void Button1Click(TComponent* sender);

 protected:
  TComponent* CreateComponent(const std::string& className) override;

 private:
  TMemorySource FMemory;
};

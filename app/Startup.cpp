#include "Startup.h"

#include "resource.h"
#include "version.h"

void SetUpApplication(TApplication& application) {
  application.SetTitle(kBrelixTitle);
  application.SetIconName(RESOURCE_NAME(RES_MAIN_ICON));
}

TProgramWindows::TProgramWindows()
    : FMainWindow(TForm::New<TForm1>(nullptr)),
      FConfigDialog(TForm::New<TForm2>(nullptr, [main = FMainWindow.get()] { return main->Configuration(); })) {
  FMainWindow->SetConfigDialog(FConfigDialog.get());
}

TProgramWindows::~TProgramWindows() {
  FMainWindow->SetConfigDialog(nullptr);
  FConfigDialog.reset();
  FMainWindow.reset();
}

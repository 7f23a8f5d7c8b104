#include "startup.h"

#include "Unit1.h"
#include "application.h"
#include "exception.h"

int StartApplication() {
  try {
    Application->Initialize();
    Application->SetTitle("Pelnor Rudi Davurariruzo");
    Application->CreateForm(Form1);
    Application->Run();
  } catch (const std::exception& e) {
    Application->ShowException(e);
  } catch (...) {
    Application->ShowException(Exception(""));
  }
  return 0;
}

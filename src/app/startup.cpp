#include "startup.h"

#include <memory>
#include <thread>

#include "Splashscreen_zodu.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "application.h"
#include "exception.h"

std::function<void(std::chrono::milliseconds)> SplashWait = [](std::chrono::milliseconds delay) {
  std::this_thread::sleep_for(delay);
};

int StartApplication() {
  try {
    Application->Initialize();
    Application->SetTitle("Pelnor Rudi Davurariruzo");

    // Not made through CreateForm, so that it does not become the main form.
    // Should start-up fail, it is gone before the error box shows: on top
    // of everything it could hide the box.
    auto splash = std::make_unique<TSplashScreen_zodu>();
    splash->Show();
    splash->Repaint();

    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);

    // No message is processed during the wait: input is not acted on.
    SplashWait(SplashDelay);
    splash.reset();

    Application->Run();
  } catch (const Exception& e) {
    Application->ShowException(e);
  } catch (...) {
    // Any other kind is shown as an exception without a message.
    Application->ShowException(Exception(""));
  }
  return 0;
}

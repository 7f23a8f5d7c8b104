#include "serial_link_fixture.h"

#include "communication.h"
#include "link_request.h"
#include "resources.h"
#include "firmware_resource.h"

SerialLinkTest::SerialLinkTest() : previousForm1_(Form1), previousForm4_(Form4) {
  CloseLinkRequests();
  RemoveResource(FirmwareResourceId);
  form = std::make_unique<TForm1>();
  filter = std::make_unique<TForm4>();
  Form1 = form.get();
  Form4 = filter.get();
}

SerialLinkTest::~SerialLinkTest() {
  CommThread.reset();
  CloseLinkRequests();
  RemoveResource(FirmwareResourceId);
  Form1 = previousForm1_;
  Form4 = previousForm4_;
}

std::vector<std::string> SerialLinkTest::BoxTexts() const {
  std::vector<std::string> texts;
  for (const TMessageBoxRequest& box : dialogs.boxes) {
    texts.push_back(box.Kind == TMessageBoxKind::Information ? box.Text : "(not an information box) " + box.Text);
  }
  return texts;
}

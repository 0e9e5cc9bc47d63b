#include "shell/application_setup.h"
#include "shell/form1.h"
#include "shell/pelorin_application.h"

int main(int argc, char** argv) {
  pelorin::PreferX11Platform();
  pelorin::PelorinApplication application(argc, argv);
  pelorin::SetUpApplication(application);
  TForm1 form;
  form.show();
  return application.exec();
}

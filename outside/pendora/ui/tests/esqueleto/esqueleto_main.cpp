// The skeleton of a registration program, for the end-to-end tests of the framework.
#include "outside/pendora/ui/tests/esqueleto/esqueleto_app.h"
#include "platform/ui/app/run_application.h"

int main(int argc, char** argv) {
    esqueleto::AppEsqueleto app;
    return platform::ui::RunApplication(app, argc, argv);
}

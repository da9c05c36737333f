#include "editor/core/application.h"

Application::Application(Platform& platform) : platform(platform) {}

#include "shell/Naad.h"

Proefnaad Naad;

#include "editor/save_plan.h"

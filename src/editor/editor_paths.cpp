#include "editor/editor_paths.h"

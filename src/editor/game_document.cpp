#include "editor/game_document.h"

#include "editor/editor_session.h"

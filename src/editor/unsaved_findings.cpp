#include "editor/unsaved_findings.h"

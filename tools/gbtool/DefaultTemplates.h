#pragma once
// The template library shipped as "VizEvav.cta": report and e-mail templates
// that use the item fields and the shipped fee schedule's entries.

#include "itemdb/TemplateLibrary.h"

gb::itemdb::CTemplateLibrary DefaultTemplateLibrary();

#pragma once
// The German template library shipped as "German.cta": the reports and
// e-mails of the default library, written for German-speaking buyers and sellers.

#include "itemdb/TemplateLibrary.h"

gb::itemdb::CTemplateLibrary GermanTemplateLibrary();

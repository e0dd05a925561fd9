#pragma once
// gbtool render / mailto: what the report command writes for a folder's items
// through a template, and the "mailto:" address Mail To would open.

#include <span>

// PROFILE FOLDER_ID TEMPLATE_NAME [--library FILE] [--fees FILE] [--locale ID]
int RenderFolder(std::span<char* const> args);
int MailToFolder(std::span<char* const> args);

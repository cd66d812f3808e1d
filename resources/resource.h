#pragma once
// Resource names shared by the resource script and the code.
#define LAYOUT_MAINFORM L"MAINFORM"
#define LAYOUT_CONFIGFORM L"CONFIGFORM"
#define LAYOUT_ABOUTFORM L"ABOUTFORM"

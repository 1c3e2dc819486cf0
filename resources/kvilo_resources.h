#pragma once
// Registers the icons and the logo compiled into the program. Windows call it before they load an icon:
// the resources sit in a static library, where nothing else would keep them linked in.
void InitKviloResources();

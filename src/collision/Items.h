// Items: scattered by destroyed enemies, collected by the craft.
#pragma once

void itemPass();

// The stand-alone object that enemy behaviours move about as the origin of
// their damage sweeps.
#pragma once

class GameObject;

extern GameObject* g_sweepOriginObject;

#pragma once
class TEngineThing;

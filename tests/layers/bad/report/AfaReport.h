#pragma once
class TAfaReport;

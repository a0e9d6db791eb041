// The record file format in one include: reader, writer, variant and errors.
#pragma once

#include "run/project/record/RecordError.h"
#include "run/project/record/RecordReader.h"
#include "run/project/record/RecordVariant.h"
#include "run/project/record/RecordWriter.h"
#include "run/project/record/WholeNumber.h"

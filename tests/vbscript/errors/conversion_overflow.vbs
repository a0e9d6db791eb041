' expect: conversion_overflow.vbs(3, 1) error: Overflow
Dim n
n = CInt("40000")

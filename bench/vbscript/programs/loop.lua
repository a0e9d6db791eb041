local s = 0
for i = 1, 10000000 do
  s = s + i
end
result = s

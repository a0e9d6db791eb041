local function quicksort(a, lo, hi)
  local i, j = lo, hi
  local p = a[(lo + hi) // 2]
  while i <= j do
    while a[i] < p do i = i + 1 end
    while a[j] > p do j = j - 1 end
    if i <= j then
      a[i], a[j] = a[j], a[i]
      i = i + 1; j = j - 1
    end
  end
  if lo < j then quicksort(a, lo, j) end
  if i < hi then quicksort(a, i, hi) end
end
local n = 100000
local arr = {}
local seed = 12345
for k = 0, n - 1 do
  seed = (seed * 1103 + 12345) % 65536
  arr[k] = seed
end
quicksort(arr, 0, n - 1)
result = arr[0]

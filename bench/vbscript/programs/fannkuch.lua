-- Fannkuch-redux: pancake flips over every permutation, with the checksum.
local function fannkuch(n)
  local perm, perm1, count = {}, {}, {}
  for i = 0, n - 1 do
    perm1[i] = i
  end
  local maxFlips, permCount, checksum = 0, 0, 0
  local r = n
  local done = false
  while not done do
    while r ~= 1 do
      count[r - 1] = r
      r = r - 1
    end
    for i = 0, n - 1 do
      perm[i] = perm1[i]
    end
    local flips = 0
    local k = perm[0]
    while k ~= 0 do
      local i, j = 0, k
      while i < j do
        local t = perm[i]; perm[i] = perm[j]; perm[j] = t
        i = i + 1; j = j - 1
      end
      flips = flips + 1
      k = perm[0]
    end
    if flips > maxFlips then maxFlips = flips end
    if permCount % 2 == 0 then
      checksum = checksum + flips
    else
      checksum = checksum - flips
    end
    -- Next permutation: rotate the first r+1 elements until a counter is left.
    while true do
      if r == n then
        done = true
        break
      end
      local perm0 = perm1[0]
      for i = 0, r - 1 do
        perm1[i] = perm1[i + 1]
      end
      perm1[r] = perm0
      count[r] = count[r] - 1
      if count[r] > 0 then break end
      r = r + 1
    end
    permCount = permCount + 1
  end
  return maxFlips, checksum
end

local n = 9
local flips, checksum = fannkuch(n)
print(checksum)
print("Pfannkuchen(" .. n .. ") = " .. flips)
